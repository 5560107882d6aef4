sub main(ObjectArray args[10])
  Object s
  append(s, 1)
endsub
' expect error: [VariableList] 被赋值的变量非数组
