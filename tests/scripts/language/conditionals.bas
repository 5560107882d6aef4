' "if (c) then" skips to its endif when c reads as 0; pairs nest.
sub main(ObjectArray args[10])
  Object x
  x = 0
  if (x == 1) then
    println("skipped")
  endif
  x = 1
  if (x == 1) then
    println("ran")
' expect: println:ran
    if (x == 2) then
      println("inner skipped")
    endif
    println("still in outer")
' expect: println:still in outer
  endif
  if ("abc") then
    println("text is false")
  endif
  if (2) then
    println("two is true")
' expect: println:two is true
  endif
  if (0) then
    Object iffy
    iffy = 1
  endif
  endif
  println("after")
' expect: println:after
' A call after "then" on the same line runs whatever the condition.
  if (0) then println("after then")
' expect: println:after then
  endif
endsub
