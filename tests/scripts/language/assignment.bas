' "+" adds when its first operand is a Number and joins text otherwise.
sub main(ObjectArray args[10])
  Object a
  Object x
  a = 2
  x = a + 1
  println(x)
' expect: println:3
  a = "2"
  x = a + 1
  println(x)
' expect: println:21
  x = 1; a = 5
  println(x + a)
' expect: println:6
  Object s
  s = "a, b"
  println(s)
' expect: println:a, b
  s = 'single'
  println(s)
' expect: println:single
  println(nobody + 1)
' expect: println:nobody1
  println(@all)
' expect: println:@all
  x = 7 - 10 * 2
  println(x)
' expect: println:-13
  println(x / 4)
' expect: println:-3
  println(1 != 2)
' expect: println:1
  println(0 | 1)
' expect: println:1
  println(1 & 0)
' expect: println:0
  println(!0)
' expect: println:1
  x = 2.9 + 1
  println(x)
' expect: println:3
  x = "1" == "01"
  println(x)
' expect: println:0
  printf("a" + "b")
' expect: printf :ab
  x = x == "0"
  println(x)
' expect: println:1
  x = 1==1
  println(x)
' expect: println:1
endsub
