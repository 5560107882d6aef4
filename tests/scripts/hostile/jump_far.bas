' A jump to the largest position ends the process instead of overflowing it.
sub main(ObjectArray args[10])
  println("before")
  if (0) 2147483647
  println("never")
endsub
' expect: println:before
