;;; Brasswick's companion inside AutoCAD LT 2024 and later (and any CAD program with AutoLISP).
;;;
;;;   BWPLACE  asks for the point where the next feature goes, leaves it with the current
;;;            layer and the drawing's scale for Brasswick in BW_Info.txt, and brings
;;;            Brasswick up.
;;;   BWDRAW   runs the script Brasswick wrote on OK (Brasswick.scr).
;;;
;;; Loading it also defines the note blocks Dmesnote and Dmehnote in a drawing that lacks
;;; them, and makes an insert in a script take its attribute value from the script.
;;; Brasswick writes this file with its three paths (bw:program, bw:info-file,
;;; bw:script-file) set above, and writes it again whenever its settings change.

;; Why Brasswick would refuse the layer name, or nil. A blank ends a script's "Layer set"
;; command early, and the CAD program has no layer of a longer name.
(defun bw:layer-problem (name)
  (cond ((= name "") "its name is empty")
        ((> (strlen name) 255) "its name is longer than 255 characters")
        ((vl-string-search " " name) "its name holds a blank")
        ((vl-string-search "," name) "its name holds a comma")
        (T nil)))

;; A number as the info file holds it: plain decimal digits to eight places, whatever the
;; drawing's DIMZIN asks of rtos, so the reader always finds one number.
(defun bw:number (x / dimzin text)
  (setq dimzin (getvar "DIMZIN"))
  (setvar "DIMZIN" 8)
  (setq text (rtos x 2 8))
  (setvar "DIMZIN" dimzin)
  text)

;; The six fields Brasswick reads: the drawing's name, X, Y, an unused number, the scale,
;; and the layer between two brackets.
(defun bw:info-line (point scale layer)
  (strcat "\"" (getvar "DWGNAME") "\"," (bw:number (car point)) "," (bw:number (cadr point))
          ",0," (bw:number scale) ",[" layer "]"))

;; Written under another name first, then renamed, so Brasswick, which may be watching the
;; folder, never reads half a line.
(defun bw:write-info (line / temporary file)
  (setq temporary (strcat bw:info-file ".tmp"))
  (if (setq file (open temporary "w"))
    (progn
      (write-line line file)
      (close file)
      (if (findfile bw:info-file) (vl-file-delete bw:info-file))
      (vl-file-rename temporary bw:info-file))
    nil))

;; Brasswick started; when it already runs, the new one hands over to it and ends.
(defun bw:start-brasswick ()
  (startapp (if (vl-string-search " " bw:program)
                (strcat "\"" bw:program "\"")
                bw:program)))

(defun c:BWPLACE ( / point layer problem scale)
  (setq layer (getvar "CLAYER")
        problem (bw:layer-problem layer))
  (cond
    (problem
     (princ (strcat "\nBrasswick cannot use the current layer \"" layer "\": " problem
                    ". Make another layer current; nothing was written.")))
    ((setq point (getpoint "\nPoint for the next Brasswick feature: "))
     (setq point (trans point 1 0)
           scale (getvar "DIMSCALE"))
     (if (= scale 0) (setq scale 1.0))
     (if (bw:write-info (bw:info-line point scale layer))
       (bw:start-brasswick)
       (princ (strcat "\nBrasswick: " bw:info-file " could not be written. Check the "
                      "drawing folder on Brasswick's Settings page."))))
  )
  (princ))

(defun c:BWDRAW ()
  (if (findfile bw:script-file)
    (command "_.SCRIPT" bw:script-file)
    (princ (strcat "\nBrasswick: there is no script " bw:script-file
                   " yet. Place a feature with BWPLACE and press OK in Brasswick first.")))
  (princ))

;; A note block as Brasswick's DXF files define it: a circle, the pin kind above the middle,
;; and the attribute NUMBER that takes the core number, all on layer 0 so that they take the
;; layer of the insert.
(defun bw:define-note (name kind)
  (entmake (list '(0 . "BLOCK") '(8 . "0") (cons 2 name) '(70 . 2) '(10 0.0 0.0 0.0)
                 (cons 3 name)))
  (entmake '((0 . "CIRCLE") (8 . "0") (10 0.0 0.0 0.0) (40 . 0.25)))
  (entmake (list '(0 . "TEXT") '(8 . "0") '(10 0.0 0.125 0.0) '(40 . 0.08) (cons 1 kind)
                 '(72 . 1) '(11 0.0 0.125 0.0) '(73 . 2)))
  (entmake '((0 . "ATTDEF") (8 . "0") (10 0.0 -0.0625 0.0) (40 . 0.125) (1 . "")
             (3 . "Core number") (2 . "NUMBER") (70 . 0) (72 . 1) (11 0.0 -0.0625 0.0)
             (74 . 2)))
  (entmake '((0 . "ENDBLK") (8 . "0"))))

(if (not (tblsearch "BLOCK" "Dmesnote")) (bw:define-note "Dmesnote" "C"))
(if (not (tblsearch "BLOCK" "Dmehnote")) (bw:define-note "Dmehnote" "CX"))
;; A script's insert answers the attribute prompt on its own line; a dialog would stop it.
(setvar "ATTREQ" 1)
(setvar "ATTDIA" 0)
(princ "\nBrasswick: BWPLACE places the next feature, BWDRAW draws it.")
(princ)
