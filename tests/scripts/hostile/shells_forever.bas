' Loading shells in a loop ends at the budget of script text.
sub main(ObjectArray args[10])
  Object text
  Object i
  text = "x"
  i = 0
  while (i != 17)
    text = text + text
    i = i + 1
  wend
  while (1)
    addshell("more", text)
  wend
endsub
' expect error: [Script] 脚本代码超出限制(4194304字节)
