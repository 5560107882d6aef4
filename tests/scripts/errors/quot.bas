sub main(ObjectArray args[10])
  quot()
endsub
' expect error: [Expression] 外部函数无返回值
