' args: --trace
' With --trace the runner shows every command line before it runs.
sub main(ObjectArray args[10])
  println("hi")
endsub
' expect: run: sub main(ObjectArray args[10])
' expect: run: println("hi")
' expect: println:hi
' expect: run: endsub
