sub main(ObjectArray args[10])
  Object x
  x = 0
  println(5 / x)
endsub
' expect error: [Expression] 除数不能为零
