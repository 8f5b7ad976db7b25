/*
 Korvane DHTML Menu Version 1.2
 Copyright (c) Korvane. All rights reserved.
 Created with Tarvex
 https://www.korvane.example
*/
timegap=100;
followspeed=3;
followrate=30;
suboffset_top=0;
suboffset_left=2;

//Main style
Mainstyle=[
"000000",
"C0C0C0",
"FFFFFF",
"808080",
"000000",
10,
"normal",
"",
"Verdana, Arial",
3,
"",
,
"",
"",
,,
"",
"",
"",
]

addmenu(menu=["mainmenu",
140,
40,
150,
1,
"",
Mainstyle,
1,
"left",
,,
1,
,
,
,,
0,
,,,,
,"Our&nbsp;products","show-menu=Ourproducts","products.htm","All our products",1
])
addmenu(menu=["Ourproducts",
161,
41,
150,
1,
"",
Mainstyle,
0,
"left",
,,
0,
,
,
,,
0,
,,,,
,"Price&nbsp;list","prices.htm target=_blank",,,1
])

dumpmenus()
