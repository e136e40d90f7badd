# Saving keeps what the editor does not show: a notes line, the entries past the 100th and a
# word cut to its limit go back as they were around the cell mended. A name that would hide
# another folder's list, in other capitals, asks first; a list changed on disk while the editor
# is open is replaced only after a question, "No" keeping all that was typed.
list XDG_DATA_DIRS/glosandas/relieve 20
file XDG_DATA_DIRS/glosandas/larga.txt Notas > de clase\r\nP>\{120:y\}\r\nD>Palabra larga\r\n\{101:P>p#\r\nD>d#\r\n\}
start
  menu.Arc="&Archivo de glosandas": "larga" ["relieve"]
menu Opciones/Archivo de glosandas/larga
  D*=W 4000x1000 Verdana 9.75 multiline centred | D0 "d65" 0,3200 tab 1 says "Definición 1 de 4, columna izquierda, libre" | D1 "d48" 0,6800 tab 3 says "Definición 2 de 4, columna izquierda, libre" | D2 "d55" 8000,3200 tab 5 says "Definición 3 de 4, columna derecha, libre" | D3 "d47" 8000,6800 tab 7 says "Definición 4 de 4, columna derecha, libre"
  P*=W 3000x500 Verdana 12 | P0 "p48" 4500,2160 tab 0 says "Palabra 1 de 4, libre" | P1 "p55" 4500,4220 tab 2 says "Palabra 2 de 4, libre" | P2 "p47" 4500,6280 tab 4 says "Palabra 3 de 4, libre" | P3 "p65" 4500,8340 tab 6 says "Palabra 4 de 4, libre"
  menu.Arc="&Archivo de glosandas": ["larga"] "relieve"
menu Listas/Editar la lista actual...
  aviso=Las líneas antes de la primera entrada no se muestran y se guardarán sin cambios. Esta lista tiene 102 entradas; aquí se muestran las 100 primeras. Las demás se guardarán sin cambios. Un texto pasa del límite y aquí se muestra cortado; se guardará entero mientras no lo cambie.
  editor="Editar la lista \"larga\"" name "larga" 100 de 100 entradas Nota at 1,1
  focus=Editor/Nombre
  row1="yyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy" "Palabra larga"
  row100="p99" "d99"
  row2-99="p1" "d1" | "p2" "d2" | "p3" "d3" | "p4" "d4" | "p5" "d5" | "p6" "d6" | "p7" "d7" | "p8" "d8" | "p9" "d9" | "p10" "d10" | "p11" "d11" | "p12" "d12" | "p13" "d13" | "p14" "d14" | "p15" "d15" | "p16" "d16" | "p17" "d17" | "p18" "d18" | "p19" "d19" | "p20" "d20" | "p21" "d21" | "p22" "d22" | "p23" "d23" | "p24" "d24" | "p25" "d25" | "p26" "d26" | "p27" "d27" | "p28" "d28" | "p29" "d29" | "p30" "d30" | "p31" "d31" | "p32" "d32" | "p33" "d33" | "p34" "d34" | "p35" "d35" | "p36" "d36" | "p37" "d37" | "p38" "d38" | "p39" "d39" | "p40" "d40" | "p41" "d41" | "p42" "d42" | "p43" "d43" | "p44" "d44" | "p45" "d45" | "p46" "d46" | "p47" "d47" | "p48" "d48" | "p49" "d49" | "p50" "d50" | "p51" "d51" | "p52" "d52" | "p53" "d53" | "p54" "d54" | "p55" "d55" | "p56" "d56" | "p57" "d57" | "p58" "d58" | "p59" "d59" | "p60" "d60" | "p61" "d61" | "p62" "d62" | "p63" "d63" | "p64" "d64" | "p65" "d65" | "p66" "d66" | "p67" "d67" | "p68" "d68" | "p69" "d69" | "p70" "d70" | "p71" "d71" | "p72" "d72" | "p73" "d73" | "p74" "d74" | "p75" "d75" | "p76" "d76" | "p77" "d77" | "p78" "d78" | "p79" "d79" | "p80" "d80" | "p81" "d81" | "p82" "d82" | "p83" "d83" | "p84" "d84" | "p85" "d85" | "p86" "d86" | "p87" "d87" | "p88" "d88" | "p89" "d89" | "p90" "d90" | "p91" "d91" | "p92" "d92" | "p93" "d93" | "p94" "d94" | "p95" "d95" | "p96" "d96" | "p97" "d97" | "p98" "d98"
cell 1 2 uno
  row1="yyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy" "uno"
key ctrl+a
type Relieve
  editor="Editar la lista \"larga\"" name "Relieve" 100 de 100 entradas Nota at 1,1
answer Cancelar
click Guardar
  box Ya hay una lista "relieve" en la carpeta "XDG_DATA_DIRS/glosandas". La nueva lista "Relieve" la ocultará en el menú. ¿Guardarla así? | Editar la lista "larga"
key alt+n
  focus=Editor/Nombre
key ctrl+a
type larga
  editor="Editar la lista \"larga\"" name "larga" 100 de 100 entradas Nota at 1,1
file XDG_DATA_DIRS/glosandas/larga.txt P>otra\r\nD>lista\r\n
answer No
click Guardar
  box La lista "larga" ha cambiado en el disco desde que se abrió. ¿Reemplazarla? | Editar la lista "larga"
answer Reemplazar
click Guardar
  box La lista "larga" ha cambiado en el disco desde que se abrió. ¿Reemplazarla? | Editar la lista "larga"
  D*=W 4000x1000 Verdana 9.75 multiline centred | D0 "d81" 0,3200 tab 1 says "Definición 1 de 4, columna izquierda, libre" | D1 "d38" 0,6800 tab 3 says "Definición 2 de 4, columna izquierda, libre" | D2 "d86" 8000,3200 tab 5 says "Definición 3 de 4, columna derecha, libre" | D3 "d91" 8000,6800 tab 7 says "Definición 4 de 4, columna derecha, libre"
  P*=W 3000x500 Verdana 12 | P0 "p91" 4500,2160 tab 0 says "Palabra 1 de 4, libre" | P1 "p38" 4500,4220 tab 2 says "Palabra 2 de 4, libre" | P2 "p86" 4500,6280 tab 4 says "Palabra 3 de 4, libre" | P3 "p81" 4500,8340 tab 6 says "Palabra 4 de 4, libre"
  editor closed, focus=TbPal_0
bytes XDG_DATA_HOME/glosandas/larga.txt
  bytes XDG_DATA_HOME/glosandas/larga.txt="Notas > de clase\r\nP>yyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy\r\nD>uno\r\nP>p1\r\nD>d1\r\nP>p2\r\nD>d2\r\nP>p3\r\nD>d3\r\nP>p4\r\nD>d4\r\nP>p5\r\nD>d5\r\nP>p6\r\nD>d6\r\nP>p7\r\nD>d7\r\nP>p8\r\nD>d8\r\nP>p9\r\nD>d9\r\nP>p10\r\nD>d10\r\nP>p11\r\nD>d11\r\nP>p12\r\nD>d12\r\nP>p13\r\nD>d13\r\nP>p14\r\nD>d14\r\nP>p15\r\nD>d15\r\nP>p16\r\nD>d16\r\nP>p17\r\nD>d17\r\nP>p18\r\nD>d18\r\nP>p19\r\nD>d19\r\nP>p20\r\nD>d20\r\nP>p21\r\nD>d21\r\nP>p22\r\nD>d22\r\nP>p23\r\nD>d23\r\nP>p24\r\nD>d24\r\nP>p25\r\nD>d25\r\nP>p26\r\nD>d26\r\nP>p27\r\nD>d27\r\nP>p28\r\nD>d28\r\nP>p29\r\nD>d29\r\nP>p30\r\nD>d30\r\nP>p31\r\nD>d31\r\nP>p32\r\nD>d32\r\nP>p33\r\nD>d33\r\nP>p34\r\nD>d34\r\nP>p35\r\nD>d35\r\nP>p36\r\nD>d36\r\nP>p37\r\nD>d37\r\nP>p38\r\nD>d38\r\nP>p39\r\nD>d39\r\nP>p40\r\nD>d40\r\nP>p41\r\nD>d41\r\nP>p42\r\nD>d42\r\nP>p43\r\nD>d43\r\nP>p44\r\nD>d44\r\nP>p45\r\nD>d45\r\nP>p46\r\nD>d46\r\nP>p47\r\nD>d47\r\nP>p48\r\nD>d48\r\nP>p49\r\nD>d49\r\nP>p50\r\nD>d50\r\nP>p51\r\nD>d51\r\nP>p52\r\nD>d52\r\nP>p53\r\nD>d53\r\nP>p54\r\nD>d54\r\nP>p55\r\nD>d55\r\nP>p56\r\nD>d56\r\nP>p57\r\nD>d57\r\nP>p58\r\nD>d58\r\nP>p59\r\nD>d59\r\nP>p60\r\nD>d60\r\nP>p61\r\nD>d61\r\nP>p62\r\nD>d62\r\nP>p63\r\nD>d63\r\nP>p64\r\nD>d64\r\nP>p65\r\nD>d65\r\nP>p66\r\nD>d66\r\nP>p67\r\nD>d67\r\nP>p68\r\nD>d68\r\nP>p69\r\nD>d69\r\nP>p70\r\nD>d70\r\nP>p71\r\nD>d71\r\nP>p72\r\nD>d72\r\nP>p73\r\nD>d73\r\nP>p74\r\nD>d74\r\nP>p75\r\nD>d75\r\nP>p76\r\nD>d76\r\nP>p77\r\nD>d77\r\nP>p78\r\nD>d78\r\nP>p79\r\nD>d79\r\nP>p80\r\nD>d80\r\nP>p81\r\nD>d81\r\nP>p82\r\nD>d82\r\nP>p83\r\nD>d83\r\nP>p84\r\nD>d84\r\nP>p85\r\nD>d85\r\nP>p86\r\nD>d86\r\nP>p87\r\nD>d87\r\nP>p88\r\nD>d88\r\nP>p89\r\nD>d89\r\nP>p90\r\nD>d90\r\nP>p91\r\nD>d91\r\nP>p92\r\nD>d92\r\nP>p93\r\nD>d93\r\nP>p94\r\nD>d94\r\nP>p95\r\nD>d95\r\nP>p96\r\nD>d96\r\nP>p97\r\nD>d97\r\nP>p98\r\nD>d98\r\nP>p99\r\nD>d99\r\nP>p100\r\nD>d100\r\nP>p101\r\nD>d101\r\n"
signal menu Opciones/Acerca de glosandas...
  box Glosandas, hecho por el equipo de Glosandas para aprender vocabulario.\r\nDiciembre de 2026 | Acerca de glosandas
  ini="4 = n\xfamero de palabras\r\n4 = n\xfamero de glosandas \r\nTrue = marcar errores en rojo\r\nlarga = \xfaltimo archivo utilizado\r\n9.75 = tama\xf1o de letra\r\nFalse = repasar fallos\r\n"
  focus frame
