sub main(ObjectArray args[10])
  createpocbyshell(12)
endsub
' expect error: [Expression] 创建线程失败
