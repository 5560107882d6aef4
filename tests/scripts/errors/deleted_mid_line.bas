' A variable removed earlier in the same line is reported, never read.
sub main(ObjectArray args[10])
  Object x
  x = 1
  clearallvariable; println(x)
endsub
' expect error: [Expression] 变量不存在
