' A top-level return ends its process in the middle of its line; the rest of
' the line does not run, and a sub's return removes the sub's locals.
sub main(ObjectArray args[10])
  Object r
  r = twice(4)
  println(r)
  println(k)
  return "last"; println("not reached")
endsub
sub twice(Object k)
  return k + k
endsub
' expect: println:8
' expect: println:k
