-- A while loop with integer arithmetic; the count is the first argument.
local n = tonumber(arg[1])
local i, s = 0, 0
while i ~= n do
  s = s + i * 2
  i = i + 1
end
print(s)
