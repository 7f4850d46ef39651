local total = 0
for i = 1, 5000000 do
    total = total + (i % 7) * 3 - 2
end
print(total)
