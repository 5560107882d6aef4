sub main(ObjectArray args[10])
  Object a
  a = 1
  if a == 1 then
  endif
endsub
' expect error: [Expression] 缺少参数2
