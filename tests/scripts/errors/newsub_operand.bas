sub main(ObjectArray args[10])
  println(@newsub)
endsub
' expect error: [Expression] 缺少参数或参数错误
