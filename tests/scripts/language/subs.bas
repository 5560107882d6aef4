' Calls suspend the calling line, which resumes with the returned value.
sub main(ObjectArray args[10])
  Object x
  x = f(1, 2)
  println(x)
' expect: println:3
  println(g(g("a")))
' expect: println:a-x-x
  x = inc(2)
  println(x)
' expect: println:3
  println(n)
' expect: println:n
  println(fact(10))
' expect: println:3628800
  noresult()
' expect: println:inside
  println("after")
' expect: println:after
  x = three(1,2,3) == 4
  println(x)
' expect: println:0
  println(sum(1 & 2 + 3, 4))
' expect: println:2
' First in its line, a three-operand sub waits below "==", which takes
' the last argument: show3 receives 1, 2 and 3 == 4.
  show3("a","b","c") == "d"
' expect: printf :ab0
endsub
sub show3(Object a, Object b, Object c)
  printf(a + b + c)
endsub
sub f(Object a, Object b)
  return a + b
endsub
sub g(Object s)
  return s + "-x"
endsub
sub inc(Object n)
  return n + 1
endsub
sub fact(Object n)
  if (n == 1) then
    return 1
  endif
  return n * fact(n - 1)
endsub
sub noresult()
  println("inside")
endsub
sub three(Object a, Object b, Object c)
  return a + b + c
endsub
sub sum(Object a, Object b)
  return a + b
endsub
