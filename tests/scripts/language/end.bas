' "end" stops every process of the script.
sub main(ObjectArray args[10])
  createpoc("other")
  println("before")
  end
  println("not reached")
endsub
sub other()
  println("other")
  println("other again")
endsub
' expect: println:before
' expect: println:other
