' Locals live at their call level; public variables are seen everywhere.
sub main(ObjectArray args[10])
  Object a
  a = "main's"
  Object shared
  public shared
  shared = "public"
  show()
' expect: println:a
' expect: println:public
' expect: println:show's
  println(a)
' expect: println:main's
  printf(var1 + var2 + var3)
' expect: printf :123
  Object var1
  println(var1)
' expect: println:1
  clearallsubvariable
  println(a)
' expect: println:a
  println(shared)
' expect: println:public
  clearallpublicvariable
  println(shared)
' expect: println:shared
endsub
' main's local a is not seen here; the public variable is.
sub show()
  println(a)
  println(shared)
  Object a
  a = "show's"
  println(a)
endsub
