# Writes a CSV file of n plates (awk -v n=ROWS -f bench/generate_plates.awk):
# a cycle of 32 plates, a valid one of each year, each year's plate decoded
# from the warranty number alone, and failures of every kind (codes the
# decoder rejects, missing fields, over-long fields, unknown years, a bad
# flag). A stock number column, counting from 1, is carried through.
BEGIN {
  OFS = ","
  p[0]  = "1964,5F07K100001,65A,A,42,12C,11,1,1,0"
  p[1]  = "1965,5R09A200000,63A,M,F5,28K,71,8,5,0"
  p[2]  = "1966,6F07C100001,65A,M,26,15K,22,8,1,0"
  p[3]  = "1967,7F01C100001,65A,M,2A,15K,22,1,W,0"
  p[4]  = "1968,8F02J100001,63A,X,6A,15K,33,8,V,0"
  p[5]  = "1969,9F02M100001,63A,T,3A,15K,33,R,W,0"
  p[6]  = "1970,0F05G100001,63A,U,3A,,33,V,5,0"
  p[7]  = "1964-1/2,5t08d000001,,,,,,,,yes"
  p[8]  = "1965,5F09K000001,,,,,,,,1"
  p[9]  = "1966,6F07C100001,,,,,,,,true"
  p[10] = "1967,7F01C100001,,,,,,,,1"
  p[11] = "1968,8F02J100001,,,,,,,,1"
  p[12] = "1969,9F02M100001,,,,,,,,1"
  p[13] = "1970,0F05G100001,,,,,,,,1"
  p[14] = "1965,5R09A200000,63A,?,F5,28K,71,8,5,0"
  p[15] = "1966,6F07C10000X,65A,M,26,15K,22,8,1,0"
  p[16] = "1967,7F01C100001,65A,M,2A,15K,16,1,W,0"
  p[17] = "1968,8F02J100001,63A,X,6A,32K,33,8,V,0"
  p[18] = "1969,9Q02M100001,63A,T,3A,15K,33,R,W,0"
  p[19] = "1970,0F05G100001,65A,U,3A,,33,V,5,0"
  p[20] = "1964,5F07K100001,,A,42,12C,11,1,1,0"
  p[21] = "1967,7F01C100001,65A,M,2A,,22,1,W,0"
  p[22] = "1969,,63A,T,3A,15K,33,R,W,0"
  p[23] = "1966,6F07C100001,65AB,M,26,15K,22,8,1,0"
  p[24] = "1968,8F02J1000012,63A,X,6A,15K,33,8,V,0"
  p[25] = "1971,1F02J100001,63A,X,6A,15K,33,8,V,0"
  p[26] = "1965,5R09A200000,63A,M,F5,28K,71,8,5,maybe"
  p[27] = "1965,5r09a200000,63a,m,f5,28k,71,8,5,"
  p[28] = "1966,6F07C100001,65A,M,26,15K,22,8,1,no"
  p[29] = "1967,7F01C100001,65A,M,2A,15K,22,1,W,false"
  p[30] = "1968,8F02J100001,63A,X,6A,15K,33,8,V,0"
  p[31] = "1969,9F02M100001,63A,T,3A,15K,33,R,W,0"
  print "stock,year,warranty,body,color,trim,date,dso,axle,trans,warranty_only"
  for (i = 0; i < n; i++) print i + 1, p[i % 32]
}
