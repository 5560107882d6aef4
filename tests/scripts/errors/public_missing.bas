sub main(ObjectArray args[10])
  public b
endsub
' expect error: [Expression] 变量不存在
