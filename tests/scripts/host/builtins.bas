' Built-ins that need the page or the network reach the host.
sub main(ObjectArray args[10])
  Object tag
  tag = ui_create_label("你好")
' expect: host:ui_create_label(你好)
  println(tag)
' expect: println:1
  Object a
  a = "x;y"
  call(@netcall, "f1", a)
' expect: host:@call(f1, x;y)
  println(sys_get_cur_itemid())
' expect: println:test
  println(sys_get_userid())
' expect: println:test
  println(get_system_info())
' expect: println:iphone
endsub
