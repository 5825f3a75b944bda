// The companion's tests: VeLisp runs brasswick.lsp as Brasswick writes it, with the CAD
// program's functions mocked (mocks.lsp); Brasswick's own reader reads what BWPLACE wrote.
// Usage: node run_tests.js VELISP_DIR COMPANION_TOOL BRASSWICK_SCRIPT WORK_DIR
'use strict';
const fs = require('fs');
const path = require('path');
const { execFileSync, spawnSync } = require('child_process');

const [velisp, tool, brasswickScript, work] = process.argv.slice(2).map((p) => path.resolve(p));
const mocks = path.join(__dirname, 'mocks.lsp');
let failures = 0;
const check = (ok, what) => {
  if (!ok) failures++;
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
};
const lisp = (s) => '"' + s.replace(/\\/g, '\\\\').replace(/"/g, '\\"') + '"';

// Lays out a program, a CAD and a drawing folder below `root`, has Brasswick write the
// companion there, and runs `body` after loading it. What VeLisp printed, and the paths.
function run(root, { program = 'program', drawing = 'drawings', vars = '', body, before }) {
  fs.rmSync(root, { recursive: true, force: true });
  const p = {
    program: path.join(root, program, 'brasswick'),
    info: path.join(root, drawing, 'BW_Info.txt'),
    script: path.join(root, 'cad', 'Brasswick', 'Brasswick.scr'),
    companion: path.join(root, 'cad', 'Brasswick', 'Brasswick.lsp'),
  };
  for (const f of [p.program, p.info, p.script]) fs.mkdirSync(path.dirname(f), { recursive: true });
  execFileSync(tool, ['write', p.program, p.info, p.script, p.companion]);
  if (before) before(p);
  const test = path.join(root, 'test.lsp');
  fs.writeFileSync(test, [
    `(load ${lisp(path.join(velisp, 'extra', 'acad-compat.lsp'))})`,
    `(load ${lisp(mocks)})`, vars, `(load ${lisp(p.companion)})`, body, '(princ)', ''].join('\n'));
  const r = spawnSync(process.execPath, [path.join(velisp, 'src', 'main.js'), '--no-dcl', test],
    { encoding: 'utf8' });
  return { ...p, out: r.stdout, err: r.stderr + (r.status ? `exit ${r.status}` : '') };
}
const calls = (out, what) => out.split('\n').filter((l) => l.startsWith('CALL ' + what));

// BWPLACE: point picked (in a UCS moved to 10,20), DIMSCALE, DIMZIN, current layer; what
// Brasswick's reader makes of the file, or null when nothing may be written.
const placeRows = [
  ['negative', { point: '(-22.5 -20.0625 0.0)', scale: '1.0', layer: 'WALLS' }, '-12.5 -0.0625 1 [WALLS]'],
  ['large', { point: '(987644.125 123436.5 0.0)', scale: '48.0', layer: '0' }, '987654.125 123456.5 48 [0]'],
  ['DIMSCALE 0', { point: '(-9.75 -19.5 0.0)', scale: '0.0', layer: 'A' }, '0.25 0.5 1 [A]'],
  ['DIMZIN 12', { point: '(-9.5 -20.0 0.0)', scale: '0.5', layer: 'L', dimzin: 12 }, '0.5 0 0.5 [L]'],
  ['layer Wände', { point: '(0.0 0.0 0.0)', scale: '1.0', layer: 'Wände' }, '10 20 1 [Wände]'],
  ['blanks and ü in folders', { point: '(1.0 1.0 0.0)', scale: '1.0', layer: 'X', program: 'Pro gram Jürgen', drawing: 'Zeich nungen/Jürgen' }, '11 21 1 [X]'],
  ['layer with a blank', { point: '(1.0 1.0 0.0)', scale: '1.0', layer: 'A B' }, null],
  ['layer of 256 letters', { point: '(1.0 1.0 0.0)', scale: '1.0', layer: 'L'.repeat(256) }, null],
  ['pick cancelled', { point: 'nil', scale: '1.0', layer: 'A' }, 'missing'],
];
for (const [name, row, expected] of placeRows) {
  const dimzin = row.dimzin ?? 0;
  const r = run(path.join(work, 'place', name.replace(/\W+/g, '-')), {
    program: row.program, drawing: row.drawing,
    vars: `(setq mock:vars (append (list (cons "CLAYER" ${lisp(row.layer)}) (cons "DIMSCALE" ${row.scale}) (cons "DIMZIN" ${dimzin})) mock:vars) mock:point '${row.point} mock:ucs-origin '(10.0 20.0 0.0))`,
    body: '(c:BWPLACE)',
  });
  const read = execFileSync(tool, ['read', r.info], { encoding: 'utf8' }).trim();
  const startapp = calls(r.out, 'startapp');
  const dimzins = calls(r.out, 'setvar DIMZIN');
  check(r.err === '', `BWPLACE ${name}: no error from VeLisp ${r.err}`);
  check(!fs.existsSync(r.info + '.tmp'), `BWPLACE ${name}: no temporary file left`);
  if (expected === null) {
    check(read === 'missing' && startapp.length === 0, `BWPLACE ${name}: nothing written, Brasswick not started (${read})`);
    check(r.out.includes('Brasswick cannot use the current layer') && r.out.includes('nothing was written'), `BWPLACE ${name}: says why`);
    continue;
  }
  check(read === expected, `BWPLACE ${name}: read back as ${read}, expected ${expected}`);
  if (expected === 'missing') {
    check(startapp.length === 0, `BWPLACE ${name}: Brasswick not started`);
    continue;
  }
  const quoted = r.program.includes(' ') ? `"${r.program}"` : r.program;
  check(startapp.length === 1 && startapp[0] === `CALL startapp ${quoted}`, `BWPLACE ${name}: ${startapp}`);
  check(dimzins.length >= 2 && dimzins[dimzins.length - 1] === `CALL setvar DIMZIN ${dimzin}`, `BWPLACE ${name}: DIMZIN set back to ${dimzin}`);
}

// BWDRAW runs the script, or says there is none.
for (const present of [true, false]) {
  const r = run(path.join(work, 'draw', present ? 'script' : 'none'), {
    program: 'Pro gram', body: '(c:BWDRAW)',
    before: (p) => present && fs.writeFileSync(p.script, 'Circle 1,1 D 1\r\n'),
  });
  const commands = calls(r.out, 'command');
  check(r.err === '', `BWDRAW ${present ? 'with' : 'without'} a script: no error ${r.err}`);
  if (present) {
    check(commands.length === 1 && commands[0] === `CALL command _.SCRIPT ${r.script}`, `BWDRAW runs ${r.script}: ${commands}`);
  } else {
    check(commands.length === 0 && r.out.includes(`there is no script ${r.script} yet`), 'BWDRAW without a script says so and runs nothing');
  }
}

// Loading defines the note blocks a drawing lacks, group for group as Brasswick's DXF
// files define them, and lets a script answer the attribute prompt.
const groupsOf = (lines) => lines.map((l) => l.split(' ').slice(2))
  .flatMap(([code, ...values]) => (values.length === 3
    ? values.map((v, i) => [String(Number(code) + 10 * i), v]) : [[code, values.join(' ')]]))
  .map(([code, v]) => `${code}=${v !== '' && isFinite(v) ? Number(v) : v}`);
function dxfBlock(kind, block) {
  const dxf = path.join(work, `${kind}.dxf`);
  execFileSync(brasswickScript, ['corenote', `kind=${kind}`, 'number=12', '--dxf', dxf]);
  const lines = fs.readFileSync(dxf, 'latin1').split('\r\n');
  const pairs = [];
  for (let i = 0; i + 1 < lines.length; i += 2) pairs.push([lines[i].trim(), lines[i + 1]]);
  const start = pairs.findIndex(([c, v], i) => c === '0' && v === 'BLOCK' && pairs[i + 2][1] === block);
  const end = pairs.findIndex(([c, v], i) => i > start && c === '0' && v === 'ENDBLK');
  return pairs.slice(start, end + 2).map(([c, v]) => `${c}=${v !== '' && isFinite(v) ? Number(v) : v}`);
}
const blocks = run(path.join(work, 'blocks'), { body: '' });
const made = groupsOf(calls(blocks.out, 'entmake'));
const expected = [...dxfBlock('C', 'Dmesnote'), ...dxfBlock('CX', 'Dmehnote')];
check(blocks.err === '' && JSON.stringify(made) === JSON.stringify(expected),
  `on load, Dmesnote and Dmehnote made as the DXF writer's blocks\n  made     ${made.join(' ')}\n  expected ${expected.join(' ')}`);
check(['CALL setvar ATTREQ 1', 'CALL setvar ATTDIA 0'].every((l) => calls(blocks.out, 'setvar').includes(l)),
  'on load, ATTREQ 1 and ATTDIA 0');
const kept = run(path.join(work, 'blocks-kept'), { vars: `(setq mock:blocks '("Dmesnote" "Dmehnote"))`, body: '' });
check(kept.err === '' && calls(kept.out, 'entmake').length === 0, 'blocks the drawing holds are left alone');

console.log(`companion under VeLisp: ${failures} failure(s)`);
process.exit(failures ? 1 : 0);
