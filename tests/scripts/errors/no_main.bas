sub start()
endsub
' expect error: [PocItem] 没有找到用户方法:main
