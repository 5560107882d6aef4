' addshell loads more text as a new shell; createpocbyshell starts its main.
sub main(ObjectArray args[10])
  Object nl
  Object text
  Object id
  nl = newline()
  text = "sub main(ObjectArray args[10])" + nl + "println(" + "@second" + ")" + nl + "endsub"
  id = addshell("second", text)
  createpocbyshell(id)
  println("first")
  println("first again")
endsub
' expect: println:first
' expect: println:@second
' expect: println:first again
