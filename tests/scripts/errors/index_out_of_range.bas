sub main(ObjectArray args[10])
  ObjectArray a[2]
  Object b
  b = "next"
  println(a[2])
endsub
' expect error: [VariableList] 变量索引超限
