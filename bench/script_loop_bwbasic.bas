10 I = 0 : S = 0
20 WHILE I <> __N__
30 S = S + I * 2
40 I = I + 1
50 WEND
60 PRINT S
70 SYSTEM
