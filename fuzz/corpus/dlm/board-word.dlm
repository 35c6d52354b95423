[Document]
To board=99999999999
To board=5
  Board	=afkpejodinchmbglafkpejodin
Board x=afkpejodinchmbglafkpejodin
