' The same line can name a plain word on one run and a variable on the next,
' and the other way round.
sub main(ObjectArray args[10])
  Object i
  i = 0
  while (i != 2)
    println(v)
    if (i == 0) then
      Object v
      v = "set"
    endif
    i = i + 1
  wend
  Object w
  w = "here"
  public w
  i = 0
  while (i != 2)
    println(w)
    clearallpublicvariable
    i = i + 1
  wend
endsub
' expect: println:v
' expect: println:set
' expect: println:here
' expect: println:w
