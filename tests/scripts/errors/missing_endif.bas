sub main(ObjectArray args[10])
  if (1) then
    println(1)
endsub
' expect error: [Expression] 没有找到配对的endif
