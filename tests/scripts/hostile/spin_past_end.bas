sub main(ObjectArray args[10])
  if (0) 999
  println("never")
endsub
