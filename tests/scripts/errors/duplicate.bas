sub main(ObjectArray args[10])
  Object a
  Object a
endsub
' expect error: [Expression] 变量重复声明或以关键字作为变量名
