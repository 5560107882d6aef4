sub main(ObjectArray args[10])
  ObjectArray a[10000000]
endsub
' expect error: [VariableList] 数组长度超出限制(100000)
