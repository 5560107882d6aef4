sub main(ObjectArray args[10])
  ObjectArray a[0 - 5]
endsub
' expect error: [Expression] 变量创建失败
