' createpoc starts a process at a sub; processes take turns line by line.
sub main(ObjectArray args[10])
  Object id
  id = createpoc("worker")
  println("main 1")
  println("main 2")
  println("main 3")
endsub
sub worker()
  println("worker 1")
  println("worker 2")
endsub
' expect: println:main 1
' expect: println:worker 1
' expect: println:main 2
' expect: println:worker 2
' expect: println:main 3
