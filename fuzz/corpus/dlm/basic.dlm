[Startup]
Program=x
[Document]
To board=3
Board 1=afkpejodinchmbglafkpejodin
Board 2=aaaaaaaaaaaaaaaaaaaaaaaaaa
board 3=pppppppppppppppppppppppppp
Board 4=afkpejodinchmbglafkpejodin
