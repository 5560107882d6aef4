' args: --max-turns 100000
sub main(ObjectArray args[10])
  while (1)
  wend
endsub
' expect error: [Script] 运行步数超出限制(100000)
