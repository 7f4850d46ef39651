' Text forms of numbers: 15 significant digits for Double, 7 for Single.
WScript.Echo CStr(2432902008176640000)   ' expect: 2.43290200817664E+18
WScript.Echo 1 / 3                       ' expect: 0.333333333333333
WScript.Echo CStr(CSng(1 / 3))           ' expect: 0.3333333
WScript.Echo 1E15, 1E14                  ' expect: 1E+15 100000000000000
WScript.Echo 0.1 + 0.2                   ' expect: 0.3
WScript.Echo -2.5, CStr(-0.75)           ' expect: -2.5 -0.75
WScript.Echo 1E-3                        ' expect: 0.001
WScript.Echo CCur(1.23456), CCur(10)     ' expect: 1.2346 10
WScript.Echo CStr(True), "" & False      ' expect: True False
WScript.Echo True, False                 ' expect: -1 0
