-- Builds a text one character at a time; the count is the first argument.
local n = tonumber(arg[1])
local s, i = "", 0
while i ~= n do
  s = s .. "x"
  i = i + 1
end
print(#s)
