sub main(ObjectArray args[10])
  while (1)
endsub
' expect error: [Expression] 没有找到配对的wend
