sub main(ObjectArray args[10])
  println("main")
endsub
x = 1
' expect: println:main
