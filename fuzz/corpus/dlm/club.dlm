[STARTUP]
Program=DealMaster 4
Version=4.2
Checksum=3F9A12C7
[DOCUMENT]
Headline=Riverside Bridge Club - Tuesday pairs
Status=Sealed
Duplicates=1
Dealing method=Random
Property 01=Event=Tuesday pairs
Property 02=Venue=Riverside hall
Property 03=Director=M. Haines
From board=1
To board=16
Board 01=lcckdkfmmhdlfibkeeeojehndp
Board 02=lhepfccagildhonalejckombfn
Board 03=ehnecpcmamckinjdfgklbnpfdk
Board 04=kfljbpjoelbhopcannacgfdmii
Board 05=mmjnhpibnnlkmfagacclnifeko
Board 06=njodcoafgdmicieefholpepjgi
Board 07=maoncbijfcklaghpihpigmfbln
Board 08=pghhigommggadgjogjafmaipbl
Board 09=joiepeninjdihjhekeibacnpol
Board 10=fpcknbokhepcdchbaaoghcnknb
Board 11=domfanoalghlpiankjecjoifmf
Board 12=lbagkijpalpjcjpdenaefgjlep
Board 13=olcdaofoichbhlfoogmhmbfiag
Board 14=jhjpkjaopmmeeealbllggpaefk
Board 15=lchegdamcfjoflhbbaopdjgocl
Board 16=feknkkbnbaphbmidonjlikafpd
Board 17=ekfgoladgbcneomngfpmdjmikm
Board 18=mjimbiflnofcbkcggopbbdldbp
Checksum=C04B77E1
