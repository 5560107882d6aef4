10 DIM S(100), R(100)
20 P = 0 : N = __N__ : GOSUB 100 : PRINT V
30 SYSTEM
100 IF N < 2 THEN V = N : RETURN
120 P = P + 1 : S(P) = N
130 N = S(P) - 1 : GOSUB 100 : R(P) = V
140 N = S(P) - 2 : GOSUB 100 : V = R(P) + V
150 P = P - 1 : RETURN
