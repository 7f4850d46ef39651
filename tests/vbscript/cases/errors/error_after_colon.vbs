x = 1 : y = 2 : z = x / (y - 2)
' expect-error: error_after_colon.vbs(1, 17) VBScript runtime error 11: Division by zero
