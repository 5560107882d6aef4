' A top-level return stores the process's value; "sysresult" mirrors it.
sub main(ObjectArray args[10])
  createpoc("worker")
  println("waiting")
  println(sysresult)
endsub
sub worker()
  return "from worker"
endsub
' expect: println:waiting
' expect: println:from worker
