10 T$ = "" : I = 0
20 WHILE I <> __N__
30 T$ = T$ + "x"
40 I = I + 1
50 WEND
60 PRINT LEN(T$)
70 SYSTEM
