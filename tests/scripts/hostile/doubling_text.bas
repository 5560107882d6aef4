sub main(ObjectArray args[10])
  Object s
  s = "x"
  while (1)
    s = s + s
  wend
endsub
' expect error: [Script] 文本长度超出限制(262144字节)
