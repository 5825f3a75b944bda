;;; Recording stand-ins for the CAD program's functions that VeLisp lacks. A call that acts
;;; on the drawing prints one line "CALL ..." so the test sees what the companion did; the
;;; test sets mock:vars (system variables), mock:point (the picked point, nil when the pick
;;; is cancelled), mock:ucs-origin and mock:blocks (the blocks the drawing holds).
(setq mock:vars '(("DIMZIN" . 0) ("DIMSCALE" . 1.0) ("CLAYER" . "0")
                  ("DWGNAME" . "Drawing1.dwg"))
      mock:point nil
      mock:ucs-origin '(0.0 0.0 0.0)
      mock:blocks nil)

(defun mock:log (text) (princ (strcat "\nCALL " text)))

(defun getvar (name / hit)
  (if (setq hit (assoc (strcase name) mock:vars)) (cdr hit)))

(defun setvar (name value)
  (mock:log (strcat "setvar " name " " (vl-princ-to-string value)))
  (setq mock:vars (cons (cons (strcase name) value) mock:vars))
  value)

(defun getpoint (message) mock:point)

;; The user's coordinate system is the world's moved to mock:ucs-origin.
(defun trans (point from to)
  (if (and (= from 1) (= to 0)) (mapcar '+ point mock:ucs-origin) point))

(defun startapp (program) (mock:log (strcat "startapp " program)) 1)

(defun command (name argument) (mock:log (strcat "command " name " " argument)) nil)

(defun tblsearch (table name) (if (member name mock:blocks) (list (cons 2 name))))

;; One line per group: "CALL entmake code value", a point's coordinates as three values.
(defun entmake (groups)
  (foreach g groups
    (mock:log (strcat "entmake " (itoa (car g)) " "
                      (if (listp (cdr g))
                        (strcat (rtos (cadr g) 2 6) " " (rtos (caddr g) 2 6) " "
                                (rtos (cadddr g) 2 6))
                        (if (numberp (cdr g)) (rtos (cdr g) 2 6) (cdr g))))))
  groups)
