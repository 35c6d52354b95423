[DOCUMENT]
To Board=2
Board 1=afkpejodinchmbglafkpq
Board 2=afkpejodinchmbglafkpejodin
