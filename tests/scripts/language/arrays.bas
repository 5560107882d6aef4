sub main(ObjectArray args[10])
  ObjectArray arr[3]
  Object i
  arr[0] = "a"
  arr[1] = "b"
  arr[2] = "c"
  i = 2
  println(arr[i])
' expect: println:c
  printf(arr)
' expect: printf :abc
  append(arr, "d")
  printf(arr)
' expect: printf :abcd
  println(arr[3])
' expect: println:d
  printf(arr + "e")
' expect: printf :abcde
  printf(arr)
' expect: printf :abcd
' An element given a number becomes a NumberArray element, and "+" on an
' array element appends rather than adds.
  arr[1] = 5
  printf(arr[1] + 1)
' expect: printf :51
endsub
