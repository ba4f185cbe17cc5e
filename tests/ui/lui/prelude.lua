-- Shared by the lui test scripts: values printed so that strings, line
-- breaks, tables and missing results all show.
function asText(value)
  if type(value) == "string" then return '"' .. (string.gsub(value, "\n", "\\n")) .. '"' end
  if type(value) ~= "table" then return tostring(value) end
  local items = {}
  for i, item in ipairs(value) do items[i] = asText(item) end
  return "{" .. table.concat(items, ",") .. "}"
end

function texts(...)
  local parts = {}
  for i = 1, select("#", ...) do parts[i] = asText(select(i, ...)) end
  return table.concat(parts, " ")
end

function show(...) print(texts(...)) end

-- Calls f and shows what it returned ("->", nothing after it when there is
-- no result) or the message it raised.
function try(label, f, ...)
  local function report(ok, ...)
    local results = texts(...)
    print(label .. (ok and " ->" or " raises") .. (results == "" and "" or " " .. results))
  end
  report(pcall(f, ...))
end

-- The desktop's start menu (named "") would show in every listing.
luiDestroy("")
print("<lui>")
