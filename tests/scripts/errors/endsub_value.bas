sub main(ObjectArray args[10])
  Object x
  x = f()
endsub
sub f()
endsub
' expect error: [Expression] 缺少参数2
