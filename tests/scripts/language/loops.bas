' while/wend: the condition is tested on the while line, wend goes back.
sub main(ObjectArray args[10])
  Object i
  Object j
  Object total
  i = 0
  total = 0
  while (i != 3)
    j = 0
    while (j != 2)
      total = total + 1
      j = j + 1
    wend
    i = i + 1
  wend
  println(total)
' expect: println:6
  while (0)
    println("never")
  wend
  println("done")
' expect: println:done
endsub
