{ Reads a dBase table with Free Pascal's TDbf and prints what it sees, so the tests can
  compare it with what our engine reads. Texts are printed as hexadecimal bytes, floats
  with 17 significant digits.

    dbfcheck dump FILE          fields, then every row that is not deleted
    dbfcheck index FILE TAG     rows in the tag's order, then a search for every key
    dbfcheck make FILE LEVEL    writes a sample table at a TDbf table level (3, 4, 7, 25, 30),
                                with a production index at levels 4 and 7 }
program dbfcheck;

{$mode objfpc}{$H+}

uses
  SysUtils, Classes, DB, Dbf, Dbf_Common;

type
  TRawText = class
    { Keeps the bytes as stored: no code page translation on either side. }
    function Translate(Dbf: TDbf; Src, Dest: PChar; ToOem: Boolean): Integer;
  end;

function TRawText.Translate(Dbf: TDbf; Src, Dest: PChar; ToOem: Boolean): Integer;
begin
  StrCopy(Dest, Src);
  Result := StrLen(Dest);
end;

var
  Raw: TRawText;
  Fmt: TFormatSettings;

function Hex(const S: RawByteString): string;
var
  I: Integer;
begin
  Result := '';
  for I := 1 to Length(S) do
    Result := Result + IntToHex(Ord(S[I]), 2);
end;

function ValueText(F: TField): string;
begin
  if F.IsNull then
    Exit('<null>');
  case F.DataType of
    ftString, ftFixedChar, ftWideString:
      Result := 'x' + Hex(F.AsString);
    ftSmallint, ftInteger, ftWord, ftAutoInc, ftLargeint:
      Result := 'i' + IntToStr(F.AsLargeInt);
    ftFloat, ftCurrency, ftBCD:
      Result := 'f' + FloatToStrF(F.AsFloat, ffExponent, 17, 0, Fmt);
    ftBoolean:
      if F.AsBoolean then Result := 'bT' else Result := 'bF';
    ftDate, ftDateTime:
      Result := 'd' + FormatDateTime('yyyymmdd', F.AsDateTime);
  else
    Result := 'x' + Hex(F.AsString);
  end;
end;

function OpenTable(const FileName: string): TDbf;
begin
  Result := TDbf.Create(nil);
  Result.FilePathFull := ExtractFilePath(ExpandFileName(FileName));
  Result.TableName := ExtractFileName(FileName);
  Result.ReadOnly := True;
  Result.OnTranslate := @Raw.Translate;
  Result.Open;
end;

procedure Dump(const FileName: string);
var
  T: TDbf;
  I: Integer;
begin
  T := OpenTable(FileName);
  try
    WriteLn('level ', T.TableLevel);
    for I := 0 to T.DbfFieldDefs.Count - 1 do
      with T.DbfFieldDefs.Items[I] do
        WriteLn('field ', FieldName, ' ', NativeFieldType, ' ', Size, ' ', Precision);
    T.First;
    while not T.EOF do
    begin
      WriteLn('row ', T.PhysicalRecNo);
      for I := 0 to T.FieldCount - 1 do
        WriteLn(T.Fields[I].FieldName, '=', ValueText(T.Fields[I]));
      T.Next;
    end;
    WriteLn('end');
  finally
    T.Free;
  end;
end;

procedure WalkIndex(const FileName, Tag: string);
var
  T: TDbf;
  Keys: TStringList;
  I: Integer;
  Field: TField;
begin
  T := OpenTable(FileName);
  Keys := TStringList.Create;
  try
    T.IndexName := Tag;
    Field := T.FieldByName(T.Indexes.GetIndexByName(Tag).SortField);
    T.First;
    while not T.EOF do
    begin
      WriteLn('rec ', T.PhysicalRecNo, ' ', Field.AsString);
      if (not Field.IsNull) and (Keys.IndexOf(Field.AsString) < 0) then
        Keys.Add(Field.AsString);
      T.Next;
    end;
    for I := 0 to Keys.Count - 1 do
      if T.SearchKey(StrToInt(Keys[I]), stEqual) then
        WriteLn('find ', Keys[I], ' ', T.PhysicalRecNo, ' ', Field.AsString)
      else
        WriteLn('find ', Keys[I], ' missing');
    WriteLn('end');
  finally
    Keys.Free;
    T.Free;
  end;
end;

{ One sample table, the same at every level: the kinds of fields another program writes. }
procedure Make(const FileName: string; Level: Integer);
var
  T: TDbf;
  I: Integer;
const
  Names: array[0..3] of string = ('Ana', 'Bego'#$F1'a', '', #$CD#$F1'igo');
  Days: array[0..3] of Integer = (3, 0, 5, 1);
  Prices: array[0..3] of Double = (12.5, -0.75, 0, 1234.25);
begin
  T := TDbf.Create(nil);
  try
    T.FilePathFull := ExtractFilePath(ExpandFileName(FileName));
    T.TableName := ExtractFileName(FileName);
    T.TableLevel := Level;
    T.OnTranslate := @Raw.Translate;
    T.FieldDefs.Add('NOMBRE', ftString, 12);
    T.FieldDefs.Add('DIA', ftSmallint);
    T.FieldDefs.Add('CANTIDAD', ftInteger);
    T.FieldDefs.Add('PRECIO', ftFloat);
    T.FieldDefs.Add('ACTIVO', ftBoolean);
    T.FieldDefs.Add('FECHA', ftDate);
    T.CreateTable;
    T.Exclusive := True;
    T.Open;
    { dBase IV and 7 tables get a production index: a numeric tag and a character one. }
    if Level in [4, 7] then
    begin
      T.AddIndex('CANTIDAD', 'CANTIDAD', []);
      T.AddIndex('NOMBRE', 'NOMBRE', []);
    end;
    for I := 0 to 3 do
    begin
      T.Append;
      if Names[I] <> '' then
        T.FieldByName('NOMBRE').AsString := Names[I];
      T.FieldByName('DIA').AsInteger := Days[I];
      if I <> 2 then
        T.FieldByName('CANTIDAD').AsInteger := (I - 1) * 1000003;
      T.FieldByName('PRECIO').AsFloat := Prices[I];
      if I <> 2 then
        T.FieldByName('ACTIVO').AsBoolean := Odd(I);
      if I <> 1 then
        T.FieldByName('FECHA').AsDateTime := EncodeDate(2024, 9, 15 + I);
      T.Post;
    end;
    { A deleted row, which readers skip. }
    T.Append;
    T.FieldByName('NOMBRE').AsString := 'Borrado';
    T.Post;
    T.Delete;
    T.Close;
  finally
    T.Free;
  end;
end;

begin
  Fmt := DefaultFormatSettings;
  Fmt.DecimalSeparator := '.';
  Raw := TRawText.Create;
  try
    if (ParamCount = 2) and (ParamStr(1) = 'dump') then
      Dump(ParamStr(2))
    else if (ParamCount = 3) and (ParamStr(1) = 'index') then
      WalkIndex(ParamStr(2), ParamStr(3))
    else if (ParamCount = 3) and (ParamStr(1) = 'make') then
      Make(ParamStr(2), StrToInt(ParamStr(3)))
    else
    begin
      WriteLn(StdErr, 'usage: dbfcheck dump FILE | index FILE TAG | make FILE LEVEL');
      Halt(2);
    end;
  except
    on E: Exception do
    begin
      WriteLn(StdErr, 'dbfcheck: ', E.Message);
      Halt(1);
    end;
  end;
  Raw.Free;
end.
