sub main(ObjectArray args[10])
  Object a
  println(a[0])
endsub
' expect error: [Expression] 不是一个数组
