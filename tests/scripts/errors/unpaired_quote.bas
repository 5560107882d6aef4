sub main(ObjectArray args[10])
  println("abc)
endsub
' expect error: [Expression] 没有配对的引号
