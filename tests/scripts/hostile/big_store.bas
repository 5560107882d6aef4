' Filling an array with long texts ends at the budget of the variable store.
sub main(ObjectArray args[10])
  Object text
  Object i
  ObjectArray a[100000]
  text = "x"
  i = 0
  while (i != 17)
    text = text + text
    i = i + 1
  wend
  i = 0
  while (1)
    a[i] = text
    i = i + 1
  wend
endsub
' expect error: [Script] 变量存储超出限制(67108864字节)
