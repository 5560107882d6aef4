sub main(ObjectArray args[10])
  createpoc("nosuch")
endsub
' expect error: [Expression] 创建线程失败
