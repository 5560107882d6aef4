sub main(ObjectArray args[10])
  ObjectArray a[3]
  public a[1]
endsub
' expect error: [Expression] 不能指定数组单元的生存期
