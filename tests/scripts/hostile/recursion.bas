sub main(ObjectArray args[10])
  f(1)
endsub
sub f(Object n)
  f(n + 1)
endsub
' expect error: [PocItem] 调用层数超出限制(1000)
