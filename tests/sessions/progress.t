# Progress: the review mode switched on; a check with wrong joins marks their boxes and dashes their
# lines, and makes the progress file; its progress erased only when the question is answered; the
# review mode kept as the sixth settings line.
list relieve 20
start
menu Progreso/Repasar fallos
click P0
click D0
click P1
click D1
click P2
click D2
click P3
click D3
click Comprobar
exists progreso/progreso.sqlite
menu Progreso/Borrar el progreso de esta lista...
answer Borrar
menu Progreso/Borrar el progreso de esta lista...
close
