sub main(ObjectArray args[10])
  println(1))
endsub
' expect error: [Expression] 文法错误
